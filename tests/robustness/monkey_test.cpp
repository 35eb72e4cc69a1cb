// Random use of every module window and dialog, from seeds: nothing may
// crash, hang or trip a sanitizer, and no timer may run faster than 10 ms.
// KINEA_MONKEY_EVENTS and KINEA_MONKEY_SEED make a longer or another run.
#include "modalcloser.h"
#include "monkey.h"
#include "programdriver.h"
#include "testhelpers.h"

#include <QApplication>
#include <gtest/gtest.h>
#include <memory>

using namespace robustness;

namespace {

class RandomUse : public ::testing::TestWithParam<const char*>
{
protected:
    static void SetUpTestSuite()
    {
        // No desktop calculator may start: the button then says so in a
        // message box, which the answerer closes.
        qputenv("PATH", "/nonexistent");
        folder = std::make_unique<testing_support::TempDir>();
        program = std::make_unique<Program>(folder->Path());
    }
    static void TearDownTestSuite()
    {
        program.reset();
        folder.reset();
    }

    void RunMonkey(std::uint32_t seed, int events)
    {
        QWidget* window = program->Window(QString::fromLatin1(GetParam()));
        ASSERT_NE(window, nullptr);
        ModalCloser answerer(5);
        Monkey monkey(seed);
        monkey.Play(window, events);
        EXPECT_EQ(monkey.FastTimers(), QStringList()) << monkey.RecentEvents().toStdString();
        std::printf("%s: seed %u, %d events, %d dialogs answered\n", GetParam(), seed, monkey.EventsSent(),
                    answerer.Answered());
    }

    static inline std::unique_ptr<testing_support::TempDir> folder;
    static inline std::unique_ptr<Program> program;
};

} // namespace

TEST_P(RandomUse, SeededEventsBreakNothing)
{
    std::uint32_t index = 0;
    while (QByteArray(kAllWindows[index]) != GetParam())
        ++index;
    RunMonkey(std::uint32_t(EnvInt("KINEA_MONKEY_SEED", 1)) * 100 + index, EnvInt("KINEA_MONKEY_EVENTS", 120));
}

INSTANTIATE_TEST_SUITE_P(EveryWindow, RandomUse, ::testing::ValuesIn(kAllWindows),
                         [](const auto& info) { return std::string(info.param); });
