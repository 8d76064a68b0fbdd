#include "io/AtomicWrite.h"

#include "io/FileNames.h"
#include "support/TempFiles.h"

#include <QDateTime>
#include <QDir>
#include <QFile>

#include <gtest/gtest.h>

namespace qm {
namespace {

TEST(AtomicWrite, ReplacesWholeOrLeavesTheOldFileAndNoTemporary) {
    test::TempFolder folder;
    const QString path = folder.Write("a.txt", "old");
    EXPECT_TRUE(WriteFileAtomically(path, "new\r\n"));
    EXPECT_EQ(folder.Read("a.txt"), "new\r\n");
    EXPECT_EQ(QDir(folder.path()).entryList(QDir::Files), QStringList{"a.txt"});
    // A folder where the file should be: nothing is written, nothing is left.
    ASSERT_TRUE(QDir(folder.path()).mkdir("b.txt"));
    EXPECT_FALSE(WriteFileAtomically(folder.path() + "b.txt", "new"));
    EXPECT_FALSE(WriteFileAtomically(path + "/c.txt", "new"));  // its folder is a file
    EXPECT_EQ(QDir(folder.path()).entryList(QDir::Files), QStringList{"a.txt"});
}

TEST(FileNames, ReadUpToTheLimitAndPickTheNewestOfOneNameInAnyCase) {
    test::TempFolder folder;
    EXPECT_EQ(ReadWholeFile(folder.Write("ten", "0123456789"), 10), "0123456789");
    EXPECT_EQ(ReadWholeFile(folder.path() + "ten", 9), std::nullopt);
    EXPECT_EQ(ReadWholeFile(folder.path() + "none"), std::nullopt);

    for (const char* newest : {"orders.tmp", "Orders.TMP"}) {
        for (const char* name : {"Orders.TMP", "orders.tmp"}) {
            QFile file(folder.Write(name, name));
            ASSERT_TRUE(file.open(QIODevice::ReadWrite));
            const QDateTime when =
                QDateTime::currentDateTime().addSecs(qstrcmp(name, newest) ? -60 : 0);
            ASSERT_TRUE(file.setFileTime(when, QFileDevice::FileModificationTime));
        }
        EXPECT_EQ(FindNewestNoCase(folder.path(), "ORDERS.tmp"), folder.path() + newest);
    }
    EXPECT_EQ(FindNewestNoCase(folder.path(), "x.dat"), folder.path() + "x.dat");
}

}  // namespace
}  // namespace qm
