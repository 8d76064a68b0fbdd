// win-qm.ini: any content gives settings inside their ranges, and a value
// set in it is read back as set while every other line is kept.
#include "FuzzSupport.h"
#include "io/IniFile.h"
#include "map/DisplaySettingsFile.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    using namespace qm;
    const QByteArray content = fuzz::Bytes(data, size);
    DisplaySettings settings;
    ReadDisplaySettings(settings, content);
    fuzz::Require(settings.HexSize >= 6 && settings.HexSize <= 36, "cell size in range");

    IniFile file;
    file.Parse(content);
    fuzz::Require(file.Content() == content, "lines kept byte for byte");
    file.SetValue(QStringLiteral("Positions"), QStringLiteral("MapX"), QStringLiteral("17"));
    IniFile again;
    again.Parse(file.Content());
    fuzz::Require(
        again.Value(QStringLiteral("Positions"), QStringLiteral("MapX")) == QStringLiteral("17"),
        "a value set is read back");
    return 0;
}
