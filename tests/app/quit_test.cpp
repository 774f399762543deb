#include "app/quit.h"
#include "support/fakealert.h"

#include <gtest/gtest.h>

namespace {

const std::string outputQuestion = "Are you sure you want to Quit without saving your output?";
const std::string dataQuestion = "Are you sure you want to Quit without saving your data?";

struct QuitCase {
    const char* name;
    bool outputSaved;
    bool dataSaved;
    std::vector<bool> answers;
    bool quits;
    std::vector<std::string> asked;
    bool outputSavedAfter;
};

void PrintTo(const QuitCase& c, std::ostream* os) {
    *os << c.name;
}

class Quit : public testing::TestWithParam<QuitCase> {};

TEST_P(Quit, AsksAboutOutputThenData) {
    const QuitCase& c = GetParam();
    FakeAlert alert;
    alert.answer(c.answers);
    Module1::outputsaved = c.outputSaved;
    Module1::datasaved = c.dataSaved;
    EXPECT_EQ(Module1::confirmQuit(), c.quits);
    EXPECT_EQ(alert.asked, c.asked);
    EXPECT_EQ(Module1::outputsaved, c.outputSavedAfter);
    EXPECT_EQ(Module1::datasaved, c.dataSaved);
    for (const std::string& caption : alert.buttons) {
        EXPECT_EQ(caption, "Quit");
    }
}

INSTANTIATE_TEST_SUITE_P(
    Paths, Quit,
    testing::Values(
        QuitCase{"NothingUnsaved", true, true, {}, true, {}, true},
        QuitCase{"OutputUnsavedConfirmed", false, true, {true}, true, {outputQuestion}, true},
        QuitCase{"OutputUnsavedDeclined", false, true, {false}, false, {outputQuestion}, false},
        QuitCase{"DataUnsavedConfirmed", true, false, {true}, true, {dataQuestion}, true},
        QuitCase{"DataUnsavedDeclined", true, false, {false}, false, {dataQuestion}, true},
        QuitCase{"BothDeclineOutput", false, false, {false}, false, {outputQuestion}, false},
        QuitCase{"BothDeclineData",
                 false,
                 false,
                 {true, false},
                 false,
                 {outputQuestion, dataQuestion},
                 true},
        QuitCase{"BothConfirmed",
                 false,
                 false,
                 {true, true},
                 true,
                 {outputQuestion, dataQuestion},
                 true}),
    [](const testing::TestParamInfo<QuitCase>& param) { return param.param.name; });

} // namespace
