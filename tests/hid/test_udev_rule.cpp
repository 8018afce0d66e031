// The udev rule that gives the logged-in user access to the module: it must
// tag the node for uaccess before 73-seat-late.rules applies the tag, match
// the module only, and never open the node to every user.
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QRegularExpression>
#include <QStringList>

#include <gtest/gtest.h>

namespace {

const QString ruleDir = QDir::cleanPath(QStringLiteral(TRV630_TEST_DATA_DIR "/../../packaging/udev"));

QStringList activeRules()
{
    QFile file(ruleDir + "/70-trv630.rules");
    EXPECT_TRUE(file.open(QIODevice::ReadOnly)) << file.fileName().toStdString();
    QStringList rules;
    for (const QString& line : QString::fromUtf8(file.readAll()).split('\n')) {
        const QString trimmed = line.trimmed();
        if (!trimmed.isEmpty() && !trimmed.startsWith('#'))
            rules << trimmed;
    }
    return rules;
}

TEST(UdevRule, SortsBeforeSeatLate)
{
    const QStringList files = QDir(ruleDir).entryList({"*.rules"}, QDir::Files);
    ASSERT_EQ(files.join(' ').toStdString(), "70-trv630.rules");
    EXPECT_LT(files.front(), QStringLiteral("73-seat-late.rules"));
}

TEST(UdevRule, TagsOnlyTheModulesHidrawNodeForUaccess)
{
    const QStringList rules = activeRules();
    ASSERT_FALSE(rules.isEmpty());
    for (const QString& rule : rules) {
        SCOPED_TRACE(rule.toStdString());
        EXPECT_TRUE(rule.contains(R"(SUBSYSTEM=="hidraw")"));
        EXPECT_TRUE(rule.contains(R"(TAG+="uaccess")"));
        EXPECT_FALSE(rule.contains("MODE")) << "access goes through the seat ACL, not the mode";
        EXPECT_FALSE(rule.contains("GROUP"));
        const bool byProduct = rule.contains(R"(ATTRS{product}=="TRV630U")");
        static const QRegularExpression ids(R"re(ATTRS\{idVendor\}=="[0-9a-f]{4}", ATTRS\{idProduct\}=="[0-9a-f]{4}")re");
        EXPECT_TRUE(byProduct || ids.match(rule).hasMatch()) << "matches the module by product string or ids";
    }
}

} // namespace
