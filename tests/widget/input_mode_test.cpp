// Every transition of the input's three states: text input, file chosen,
// and file mode without a choice.

#include <QLineEdit>

#include "checksum/controls.h"
#include "tests/widget/main_window_fixture.h"

namespace corvane::testing {
namespace {

enum class State { TextInput, FileChosen, FileModeWithoutChoice };

struct Transition {
  const char* name;
  State from;
  ControlAddress click;
  std::optional<QString> answer;  // the dialog's answer, for a click on 单选框2
  // What the input shows afterwards.
  bool file_mode;
  bool input_enabled;
  QString input_text;
  QString file_name;
};

const QString kTyped = "typed text";
const QString kOld = "/tmp/old file.txt";
const QString kNew = "/tmp/新文件.txt";

const Transition kTransitions[] = {
    {"TextInputToTextInput", State::TextInput, 单选框1, {}, false, true, kTyped, ""},
    {"FileChosenToTextInputKeepsThePath", State::FileChosen, 单选框1, {}, false, true, kOld, kOld},
    {"WithoutChoiceToTextInput", State::FileModeWithoutChoice, 单选框1, {}, false, true, kTyped, ""},
    {"TextInputConfirmed", State::TextInput, 单选框2, kNew, true, false, kNew, kNew},
    {"TextInputCancelledMovesOnlyTheCheck", State::TextInput, 单选框2, std::nullopt, true, true, kTyped, ""},
    {"WithoutChoiceConfirmed", State::FileModeWithoutChoice, 单选框2, kNew, true, false, kNew, kNew},
    {"WithoutChoiceCancelled", State::FileModeWithoutChoice, 单选框2, std::nullopt, true, true, kTyped, ""},
    {"FileChosenConfirmedReplacesThePath", State::FileChosen, 单选框2, kNew, true, false, kNew, kNew},
    {"FileChosenCancelledChangesNothing", State::FileChosen, 单选框2, std::nullopt, true, false, kOld, kOld},
};

class InputMode : public MainWindowTest, public ::testing::WithParamInterface<Transition> {
 protected:
  void Reach(State state) {
    Type(编辑框1, kTyped);
    if (state == State::FileChosen) dialog_answers.push_back(kOld);
    if (state == State::FileModeWithoutChoice) dialog_answers.push_back(std::nullopt);
    if (state != State::TextInput) Click(单选框2);
  }
};

TEST_P(InputMode, MovesBetweenTheStates) {
  const Transition& t = GetParam();
  Reach(t.from);
  Edit(编辑框2)->setText("earlier digest");
  if (t.click == 单选框2) dialog_answers.push_back(t.answer);

  Click(t.click);

  EXPECT_EQ(Button(单选框2)->isChecked(), t.file_mode);
  EXPECT_NE(Button(单选框1)->isChecked(), t.file_mode);
  EXPECT_EQ(Edit(编辑框1)->isEnabled(), t.input_enabled);
  EXPECT_EQ(Edit(编辑框1)->text(), t.input_text);
  EXPECT_EQ(DialogFileName(), t.file_name);
  EXPECT_EQ(Edit(编辑框2)->text(), "earlier digest") << "a mode change never touches the result";
}

void PrintTo(const Transition& t, std::ostream* out) { *out << t.name; }

INSTANTIATE_TEST_SUITE_P(Transitions, InputMode, ::testing::ValuesIn(kTransitions),
                         [](const auto& info) { return std::string(info.param.name); });

TEST_F(MainWindowTest, ConfirmedEmptyNameEmptiesAndDisablesTheInput) {
  Type(编辑框1, kTyped);
  dialog_answers.push_back(QString());
  Click(单选框2);
  EXPECT_TRUE(Edit(编辑框1)->text().isEmpty());
  EXPECT_FALSE(Edit(编辑框1)->isEnabled());
}

}  // namespace
}  // namespace corvane::testing
