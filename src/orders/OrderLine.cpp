#include "orders/OrderLine.h"

#include "orders/AllyLists.h"
#include "orders/CommandList.h"
#include "orders/Declarations.h"
#include "orders/GrantAccess.h"
#include "orders/MapClicks.h"
#include "orders/OrderContext.h"
#include "orders/OrderHistory.h"
#include "orders/SpyTargets.h"
#include "orders/VictoryConditions.h"
#include "state/OrderCodes.h"
#include "state/TurnRules.h"

#include <QStringList>

#include <algorithm>
#include <optional>
#include <utility>

namespace qm {

namespace {

QString Folded(const QString& text) {
    return QString(text).replace(QLatin1Char('_'), QLatin1Char(' ')).simplified().toCaseFolded();
}

// How each code is written, for a line that does not read.
QString FormOf(const QString& code) {
    static const std::pair<const char*, const char*> kForms[] = {
        {"MO", "MO 60 58 (the unit's area, then the target)"},
        {"SA", "SA 60 58, or SA 60 58 Ormanth to support an ally's attack"},
        {"SD", "SD 60 59"},
        {"CO", "CO 21 60"},
        {"DA", "DA Ormanth"},
        {"DN", "DN Ormanth"},
        {"DW", "DW Ormanth"},
        {"GA", "GA Ormanth 58, or GA Ormanth ALL"},
        {"CA", "CA Ormanth Tirvenia (the ally, then the enemy)"},
        {"VC", "VC 10 300 (turns, then points)"},
        {"SP", "SP 12 13 14 (up to six areas)"},
        {"Cancel", "Cancel 60"},
    };
    for (const auto& [name, form] : kForms)
        if (code == QLatin1String(name)) return QLatin1String(form);
    return code + QStringLiteral(" 58");
}

// Reads the words after the code: numbers, and names of one or more words.
class LineWords {
public:
    LineWords(const GameState& game, QStringList words) : game_(game), words_(std::move(words)) {}

    bool AtEnd() const { return at_ >= words_.size(); }
    const QString& problem() const { return problem_; }

    std::optional<std::int16_t> Area() {
        if (!Want()) return std::nullopt;
        if (const auto number = Number(); number) {
            if (IsAreaNumber(*number)) return number;
            return Fail(QStringLiteral("There is no area %1").arg(*number));
        }
        const auto found = Name([&](int i) { return IsAreaNumber(i); },
                                [&](int i) { return QStringList{game_.area(i).Name}; });
        if (!found) return Fail(QStringLiteral("There is no area %1").arg(words_[at_]));
        return found;
    }

    std::optional<std::int16_t> Player() {
        if (!Want()) return std::nullopt;
        if (const auto number = Number(); number) {
            if (*number >= 1 && *number <= game_.PlayerCount && *number < kUnseenOwner)
                return number;
            return Fail(QStringLiteral("There is no player %1").arg(*number));
        }
        const auto found =
            Name([&](int p) { return p >= 1 && p <= game_.PlayerCount && p < kUnseenOwner; },
                 [&](int p) {
                     return QStringList{game_.player(p).ShortName, game_.player(p).PlayerName};
                 });
        if (!found) return Fail(QStringLiteral("There is no player %1").arg(words_[at_]));
        return found;
    }

    // A plain number (turns, points) of 16 bits.
    std::optional<std::int16_t> Count() {
        if (!Want()) return std::nullopt;
        if (const auto number = Number()) return number;
        return Fail(QStringLiteral("%1 is no number").arg(words_[at_]));
    }

    bool TakeWord(QLatin1String word) {
        if (AtEnd() || words_[at_].compare(word, Qt::CaseInsensitive) != 0) return false;
        ++at_;
        return true;
    }

    bool Failed() const { return !problem_.isEmpty(); }
    void Missing() {
        if (problem_.isEmpty()) problem_ = QStringLiteral("missing");
    }

private:
    bool Want() {
        if (!problem_.isEmpty()) return false;
        if (AtEnd()) {
            problem_ = QStringLiteral("missing");
            return false;
        }
        return true;
    }

    std::optional<std::int16_t> Number() {
        bool ok = false;
        const short value = words_[at_].toShort(&ok);
        if (!ok) return std::nullopt;
        ++at_;
        return value;
    }

    // The longest run of words from here that names one of the candidates.
    template <class Exists, class NamesOf>
    std::optional<std::int16_t> Name(Exists exists, NamesOf namesOf) {
        for (qsizetype length = words_.size() - at_; length >= 1; --length) {
            const QString typed = Folded(words_.mid(at_, length).join(u' '));
            for (int i = 1; i <= kLastArea; ++i) {
                if (!exists(i)) continue;
                for (const QString& name : namesOf(i))
                    if (!name.trimmed().isEmpty() && Folded(name) == typed) {
                        at_ += length;
                        return static_cast<std::int16_t>(i);
                    }
            }
        }
        return std::nullopt;
    }

    std::nullopt_t Fail(const QString& text) {
        problem_ = text;
        return std::nullopt;
    }

    const GameState& game_;
    QStringList words_;
    qsizetype at_ = 0;
    QString problem_;
};

// The rules ask whose attack a support supports; the line has said it already.
class LinePort : public WindowPort {
public:
    LinePort(WindowPort& port, SupportAnswer supported) : port_(port), supported_(supported) {}

    void ShowMessage(const QString& text, MessageIcon icon) override {
        port_.ShowMessage(text, icon);
    }
    void SetTitle(const QString& title) override { port_.SetTitle(title); }
    void EnableMenu(MenuCommand command, bool enabled) override {
        port_.EnableMenu(command, enabled);
    }
    void SetGridRows(GridId grid, int rows) override { port_.SetGridRows(grid, rows); }
    void SetGridCell(GridId grid, int row, int column, const QString& text) override {
        port_.SetGridCell(grid, row, column, text);
    }
    void SetBusy(bool busy) override { port_.SetBusy(busy); }
    void ViewChanged() override { port_.ViewChanged(); }
    SupportAnswer AskSupportedPlayer() override { return supported_; }
    Answer Ask(const Question& question) override { return port_.Ask(question); }
    std::optional<std::int16_t> AskPlayer(const QString& text,
                                          const std::vector<std::int16_t>& players) override {
        return port_.AskPlayer(text, players);
    }
    void ShowRecentReports(const std::vector<QString>& reports) override {
        port_.ShowRecentReports(reports);
    }
    void TurnChanged(TurnChange change) override { port_.TurnChanged(change); }
    void CloseOrderWindows() override { port_.CloseOrderWindows(); }
    bool OrderWindowsOpen() const override { return port_.OrderWindowsOpen(); }
    void ShowTurnCheck() override { port_.ShowTurnCheck(); }
    void ShowStatus(const QString& text) override { port_.ShowStatus(text); }

private:
    WindowPort& port_;
    SupportAnswer supported_;
};

bool Among(const std::vector<std::int16_t>& players, std::int16_t player) {
    return std::find(players.begin(), players.end(), player) != players.end();
}

bool IsAreaOrderCode(const QString& code) {
    return IsUnitOrder(code) || IsArrowOrder(code) || code == kCancelOption;
}

class LineOrder {
public:
    LineOrder(const OrderContext& context, SpyTargets& spies, OrderHistory& history,
              const QString& code, LineWords& words)
        : context_(context), spies_(spies), history_(history), code_(code), words_(words) {}

    // Reads the rest of the line and gives the order; false when the line does not read.
    bool Give() {
        if (IsAreaOrderCode(code_)) return AreaOrder();
        if (IsDeclaration(code_)) return Declaration();
        if (code_ == kGrantAccess) return Grant();
        if (code_ == kCallToArms) return CallToArms();
        if (code_ == kVictoryConditions) return Victory();
        return Spies();
    }

private:
    bool Read() const { return !words_.Failed() && words_.AtEnd(); }

    bool AreaOrder() {
        const auto from = words_.Area();
        const auto to = IsArrowOrder(code_) ? words_.Area() : std::optional<std::int16_t>(0);
        std::optional<std::int16_t> supported;
        if (code_ == kSupportAttack && !words_.AtEnd()) supported = words_.Player();
        if (!from || !to || !Read()) return false;
        Interaction& interaction = context_.interaction;
        // The line stands beside whatever the map or a window has armed.
        const QString mode = std::exchange(interaction.MapMode, QString());
        LinePort port(context_.port, supported);
        const OrderContext context{context_.game, interaction, context_.map, port};
        MapDoubleClick(context, *from, code_);
        if (IsArrowOrder(code_) && interaction.MapMode == code_) MapClick(context, spies_, *to);
        interaction.MapMode = mode;
        return true;
    }

    bool Declaration() {
        const auto player = words_.Player();
        if (!player || !Read()) return false;
        // The window offers no war on the first turn; the line says so.
        if (code_ == kDeclareWar && !WarAllowed(context_.game))
            context_.port.ShowMessage(QStringLiteral("War cannot be declared on the first turn"),
                                      MessageIcon::Stop);
        else
            Declare(context_.game, context_.port, QLatin1String(code_.toLatin1()), *player);
        return true;
    }

    bool Grant() {
        const auto player = words_.Player();
        const bool all = words_.TakeWord(QLatin1String("ALL"));
        const auto area = all ? std::optional<std::int16_t>(0) : words_.Area();
        if (!player || !area || !Read()) return false;
        if (!Among(GrantCandidates(context_.game), *player)) {
            context_.port.ShowMessage(QStringLiteral("Access is granted to a mutual ally only"),
                                      MessageIcon::Stop);
        } else if (all) {
            GrantAll(context_.game, context_.port, *player);
        } else {
            GrantArea(context_.game, context_.port, *player, QString::number(*area));
        }
        return true;
    }

    bool CallToArms() {
        const auto ally = words_.Player();
        const auto enemy = words_.Player();
        if (!ally || !enemy || !Read()) return false;
        if (RefusedInFirstTurns(context_.game, context_.port)) return true;
        const CallToArmsLists candidates = CallToArmsCandidates(context_.game);
        if (!Among(candidates.allies, *ally) || !Among(candidates.enemies, *enemy)) {
            context_.port.ShowMessage(
                QStringLiteral("A call to arms goes to a mutual ally against an enemy of yours"),
                MessageIcon::Stop);
            return true;
        }
        AddCommand(context_.game, context_.port, kCallToArms, *ally, *enemy, 0, 0);
        return true;
    }

    bool Victory() {
        const auto turns = words_.Count();
        const auto points = words_.Count();
        if (!turns || !points || !Read()) return false;
        if (!IsFirstTurn(context_.game)) {
            context_.port.ShowMessage(
                QStringLiteral("Victory conditions are proposed on the first turn only"),
                MessageIcon::Stop);
            return true;
        }
        Interaction& interaction = context_.interaction;
        const QString mode = std::exchange(interaction.MapMode, QString());
        VictoryProposal proposal = OpenVictoryConditions(context_.game, interaction);
        EnterVictoryValue(context_.game, proposal, 0, QString::number(*turns));
        EnterVictoryValue(context_.game, proposal, 1, QString::number(*points));
        CloseVictoryConditions(context_.game, interaction, context_.port, spies_, history_,
                               proposal);
        interaction.MapMode = mode;
        return true;
    }

    // Into the spy window's cells while it is open (it writes them as it
    // closes), else through cells of the line's own, as the window would.
    bool Spies() {
        std::vector<std::int16_t> areas;
        while (!words_.AtEnd())
            if (const auto area = words_.Area()) areas.push_back(*area);
        if (areas.empty()) words_.Missing();
        if (!Read()) return false;
        if (spies_.open) {
            for (const std::int16_t area : areas)
                if (!SpyOrder(spies_, context_.port, area)) break;
            return true;
        }
        Interaction& interaction = context_.interaction;
        const QString mode = std::exchange(interaction.MapMode, QString());
        SpyTargets own;
        OpenSpyTargets(context_.game, interaction, own);
        for (const std::int16_t area : areas)
            if (!SpyOrder(own, context_.port, area)) break;
        CloseSpyTargets(context_.game, interaction, own);
        interaction.MapMode = mode;
        return true;
    }

    const OrderContext& context_;
    SpyTargets& spies_;
    OrderHistory& history_;
    const QString& code_;
    LineWords& words_;
};

QString KnownCode(const QString& typed) {
    for (const char* code : kOrderLineCodes)
        if (typed.compare(QLatin1String(code), Qt::CaseInsensitive) == 0)
            return QLatin1String(code);
    return {};
}

}  // namespace

bool EnterOrderLine(const OrderContext& context, SpyTargets& spies, OrderHistory& history,
                    const QString& line) {
    QStringList items = line.simplified().split(u' ', Qt::SkipEmptyParts);
    if (items.isEmpty()) return false;
    if (context.interaction.ReadOnly) {
        context.port.ShowMessage(
            QStringLiteral("A turn of the history is only looked at: orders go into the loaded "
                           "turn (View > Turn History returns to it)"),
            MessageIcon::Information);
        return false;
    }
    const QString code = KnownCode(items.takeFirst());
    if (code.isEmpty()) {
        context.port.ShowMessage(
            QStringLiteral("%1 is no order; the orders are MO, SA, SD, CO, AA, AC, AF, AS, UU, "
                           "DU, RU, DA, DN, DW, GA, CA, VC, SP and Cancel")
                .arg(line.simplified().section(u' ', 0, 0)),
            MessageIcon::Stop);
        return false;
    }
    const OrdersSnapshot before = TakeOrdersSnapshot(context.game);
    LineWords words(context.game, items);
    bool read = false;
    history.Record(context.game,
                   [&] { read = LineOrder(context, spies, history, code, words).Give(); });
    if (!read) {
        const QString problem = words.problem();
        context.port.ShowMessage(problem.isEmpty() || problem == QLatin1String("missing")
                                     ? QStringLiteral("Write it as %1").arg(FormOf(code))
                                     : problem,
                                 MessageIcon::Stop);
        return false;
    }
    return !(TakeOrdersSnapshot(context.game) == before);
}

std::int16_t FindArea(const GameState& game, const QString& text) {
    const QString typed = Folded(text);
    if (typed.isEmpty()) return 0;
    bool number = false;
    const int leading = typed.section(u' ', 0, 0).toInt(&number);
    if (number) return IsAreaNumber(leading) ? static_cast<std::int16_t>(leading) : 0;
    std::int16_t part = 0;
    int parts = 0;
    for (int i = 1; i <= kLastArea; ++i) {
        const QString name = Folded(game.area(i).Name);
        if (name.isEmpty()) continue;
        if (name == typed) return static_cast<std::int16_t>(i);
        if (name.contains(typed)) part = static_cast<std::int16_t>(i), ++parts;
    }
    return parts == 1 ? part : 0;
}

std::vector<QString> AreaChoices(const GameState& game) {
    std::vector<QString> choices;
    for (int i = 1; i <= kLastArea; ++i) {
        const QString name = game.area(i).Name.trimmed();
        choices.push_back(name.isEmpty() ? QString::number(i) : QString::number(i) + u' ' + name);
    }
    return choices;
}

std::vector<QString> OrderLineCompletions(const OrderContext& context, const QString& line) {
    QStringList words = line.split(u' ', Qt::SkipEmptyParts);
    if (line.isEmpty() || line.endsWith(u' ')) words << QString();
    const QString prefix = Folded(words.back());
    const auto starts = [&](const QString& text) {
        return !text.trimmed().isEmpty() && Folded(text).startsWith(prefix);
    };
    std::vector<QString> found;
    if (words.size() == 1) {
        for (const char* code : kOrderLineCodes)
            if (starts(QLatin1String(code))) found.emplace_back(QLatin1String(code));
        return found;
    }
    const GameState& game = context.game;
    const QString code = KnownCode(words.front());
    const auto position = words.size() - 2;  // of the word after the code
    const bool player = IsDeclaration(code) || (code == kGrantAccess && position == 0) ||
                        (code == kCallToArms && position <= 1);
    if (code == kVictoryConditions || code.isEmpty()) return found;
    const auto word = [](const QString& name) {
        return name.trimmed().replace(QLatin1Char(' '), QLatin1Char('_'));
    };
    if (player) {
        for (int p = 1; p <= std::min<int>(game.PlayerCount, kUnseenOwner - 1); ++p) {
            if (p == game.CurrentPlayer) continue;
            for (const QString& name : {game.player(p).ShortName, game.player(p).PlayerName})
                if (starts(name)) found.push_back(word(name));
        }
        return found;
    }
    if (code == kGrantAccess && starts(QStringLiteral("ALL")))
        found.emplace_back(QStringLiteral("ALL"));
    for (int i = 1; i <= kLastArea; ++i)
        if (starts(QString::number(i))) found.push_back(QString::number(i));
    for (int i = 1; i <= kLastArea; ++i)
        if (starts(game.area(i).Name)) found.push_back(word(game.area(i).Name));
    return found;
}

}  // namespace qm
