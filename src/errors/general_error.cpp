#include "errors/general_error.hpp"

#include "ports/win_constants.hpp"
#include "text/sjis.hpp"
#include "text/texts.hpp"

std::string generalErrorText(const std::string& message) {
    const std::size_t last = sjis::lastCharStart(message);
    if (last != sjis::npos && static_cast<unsigned char>(message[last]) > static_cast<unsigned char>('.'))
        return message + ".";
    return message;
}

void showGeneralError(MessageBoxPort& boxes, const std::string& message) {
    boxes.show(generalErrorText(message), txt::kAppTitle, win::kMbOk | win::kMbIconError);
}
