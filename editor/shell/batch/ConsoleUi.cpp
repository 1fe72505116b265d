#include "ConsoleUi.h"

namespace salon {

namespace {
// Texts keep their own leading and trailing blanks in the table; on a console line they only
// get in the way.
std::string trimmed(const std::string& s)
{
    const auto b = s.find_first_not_of(' ');
    if (b == std::string::npos) return {};
    return s.substr(b, s.find_last_not_of(' ') - b + 1);
}
} // namespace

MsgAnswer ConsoleUi::message(const MessageRequest& request)
{
    ++m_shown;
    m_out << trimmed(request.text) << '\n';
    switch (request.buttons) {
    case MsgButtons::Ok: return MsgAnswer::Ok;
    case MsgButtons::YesNo: return MsgAnswer::No;
    case MsgButtons::AbortRetryIgnore: return MsgAnswer::Abort;
    default: return MsgAnswer::Cancel;
    }
}

} // namespace salon
