#include "app/startup.h"

namespace qv2 {

Program::Program(Modals &modals, const QString &programDir)
    : form1(modals, programDir), form2(&form1)
{
    form1.setLevelPicker(&form2);
}

std::vector<TextTarget *> Program::textTargets()
{
    // Main window first, then the dialogs in the order their sections come in the language file.
    return {&form1, &form2};
}

void Program::LoadStartupSettings()
{
    EditorState &state = form1.state();
    state.languageName = ReadLanguageName(state.programDir);
    ApplyLanguageFile(LanguageFilePath(state.programDir, state.languageName), textTargets(),
                      state.texts);
}

} // namespace qv2
