// The tools' run-long record.
#include "ui/tools/tool_session.h"

namespace pictra::ui {

ToolSession& toolSession()
{
    static ToolSession session;
    return session;
}

} // namespace pictra::ui
