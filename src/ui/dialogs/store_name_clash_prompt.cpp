// Telling and asking about store-name clashes.
#include "ui/dialogs/store_name_clash_prompt.h"

#include "ui/dialogs/status_messages.h"
#include "ui/prompts/user_prompts.h"

namespace pictra::ui {

bool addOthersPastStoreNameClashes(UserPrompts& prompts, QWidget* parent, const std::vector<std::string>& clashing,
                                   bool othersRemain)
{
    if (clashing.empty())
        return true;
    const QString question = storeNameClashQuestion(clashing, othersRemain);
    if (othersRemain)
        return prompts.askYesNo(parent, question);
    prompts.showMessage(parent, question);
    return false;
}

} // namespace pictra::ui
