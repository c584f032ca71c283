#pragma once

namespace quellorn {

struct Context;
class QuestionBox;

// Asks the user about a change of the Internet Explorer home page since it was last accepted:
// Yes accepts the new page; No writes the accepted one back, for the user and for the machine.
void GuardHomePage(Context& ctx, QuestionBox& questions);

}  // namespace quellorn
