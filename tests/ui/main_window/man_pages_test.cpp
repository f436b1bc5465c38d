// The man pages name everything a script or a player may read: every key the
// settings store may hold, and every member of korvana-odds' JSON with the
// words its fixed values take.
#include <QFile>
#include <QRegularExpression>
#include <QSet>
#include <QTest>
#include <sstream>

#include "settings/settings_store.h"
#include "tools/korvana_odds/odds_command.h"

using namespace korvana;

namespace {

QString manPage(const char* name) {
    QFile file(QStringLiteral(KORVANA_MAN_PAGES "/") + QLatin1String(name));
    if (!file.open(QIODevice::ReadOnly)) qFatal("cannot read the man page %s", name);
    return QString::fromUtf8(file.readAll());
}

QString oddsOutput(const std::vector<std::string>& args, const std::string& input = {}) {
    std::istringstream in(input);
    std::ostringstream out, err;
    OddsCommandEnvironment env;
    env.input = &in;
    runOddsCommand(args, env, out, err);
    return QString::fromStdString(out.str());
}

}  // namespace

class ManPagesTest : public QObject {
    Q_OBJECT

private Q_SLOTS:
    void everyStoredKey();
    void everyJsonMemberAndWord();
};

void ManPagesTest::everyStoredKey() {
    const QString page = manPage("korvana.1.in");
    for (const QString& key : SettingsStore::keys())
        QVERIFY2(page.contains(QStringLiteral("\n.B ") + key + QLatin1Char('\n')), qPrintable(key));
}

void ManPagesTest::everyJsonMemberAndWord() {
    // Every light and state (a flop with a pair), every category, both
    // methods, the pot odds, and batch mode's numbered lines with an error.
    const QString json =
        oddsOutput({"--json", "Ah", "Ad", "2c", "7d", "9h", "--vs", "random", "--pot", "100",
                    "--call", "20"}) +
        oddsOutput({"--json", "Ah", "Kh", "--opponents", "2", "--samples", "1000"}) +
        oddsOutput({"--json", "Ah", "Kh", "Qd", "7c", "2s", "--vs", "QQ", "--next-card",
                    "--distribution"}) +
        oddsOutput({"--json", "-"}, "Ah Kh\nAh Ah\n");
    QSet<QString> named;
    const QRegularExpression member(QStringLiteral("\"(\\w+)\": "));
    for (const auto& match : member.globalMatch(json)) named << match.captured(1);
    const QRegularExpression word(
        QStringLiteral("\"(?:light|category|best_category|state|method|round)\": \"(\\w+)\""));
    for (const auto& match : word.globalMatch(json)) named << match.captured(1);
    for (const char* expected : {"line", "error", "pot_odds", "two_pairs", "yellow", "sampled", "out", "hand"})
        QVERIFY2(named.contains(QLatin1String(expected)), expected);
    const QString page = manPage("korvana-odds.1.in");
    for (const QString& name : named)
        QVERIFY2(page.contains(QLatin1Char('"') + name + QLatin1Char('"')), qPrintable(name));
}

QTEST_MAIN(ManPagesTest)
#include "man_pages_test.moc"
