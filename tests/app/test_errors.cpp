// The standard error box: its text rule and the guard around handlers.
#include "AppTestSupport.h"

#include "app/Application.h"

#include <gtest/gtest.h>

#include <stdexcept>

namespace {

struct BoxTextCase {
    const char* message;
    const char* shown;
};

TEST(ErrorBox, FullStopOnlyAfterACharacterAboveTheFullStop)
{
    const BoxTextCase cases[] = {
        {"Unable to write to /home/u/config.ini", "Unable to write to /home/u/config.ini."},
        {"Plik zajęty", "Plik zajęty."},
        {"Nie udało się zapisać pliku ą", "Nie udało się zapisać pliku ą."}, // above 0x7F
        {"Value must be within [1..2]!", "Value must be within [1..2]!"},
        {"Already ends.", "Already ends."},
        {"trailing blank ", "trailing blank "},
        {"ends in a digit 7", "ends in a digit 7."},  // '7' is above '.'
        {"ends in a slash/", "ends in a slash/."},    // '/' is the next code after '.'
        {"ends in a comma,", "ends in a comma,"},     // ',' is below '.'
        {"ends in a dash -", "ends in a dash -"},
        {"", ""},
    };
    for (const auto& c : cases)
        EXPECT_EQ(trv630::errorBoxText(QString::fromUtf8(c.message)), QString::fromUtf8(c.shown))
            << c.message;
}

TEST(ErrorBox, GuardShowsTheErrorAndReportsTheHandlerUnfinished)
{
    ErrorBoxRecorder boxes;
    EXPECT_FALSE(trv630::runGuarded([] { throw trv630::Error(QStringLiteral("Unable to write to x")); }));
    EXPECT_FALSE(trv630::runGuarded([] { throw std::runtime_error("foreign"); }));
    EXPECT_FALSE(trv630::runGuarded([] { throw 42; }));
    EXPECT_FALSE(trv630::runGuarded([] { throw trv630::SilentAbort(); }));
    EXPECT_TRUE(trv630::runGuarded([] {}));
    // A foreign error is shown with an empty message; a silent abort not at all.
    EXPECT_EQ(boxes.texts, (QStringList{QStringLiteral("Unable to write to x."), QString(), QString()}));
}

TEST(ErrorBox, FailedHandlerDoesNotStopTheNextOne)
{
    ErrorBoxRecorder boxes;
    int runs = 0;
    auto handler = [&](bool fail) {
        ++runs;
        if (fail)
            throw trv630::Error(QStringLiteral("first click failed"));
    };
    trv630::runGuarded([&] { handler(true); });
    trv630::runGuarded([&] { handler(false); });
    EXPECT_EQ(runs, 2);
    EXPECT_EQ(boxes.texts, QStringList{QStringLiteral("first click failed.")});
}

} // namespace
