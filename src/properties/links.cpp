#include "properties/links.hpp"

#include <string>

#include "ports/shell_port.hpp"
#include "ports/win_constants.hpp"
#include "text/texts.hpp"

void Links::Mail_LabelClick() {
    shell_.shellExecute("OPEN", std::string("mailto:") + txt::kMailAddress, "", "", win::kSwShow);
}

void Links::HomePage_LabelClick() { shell_.shellExecute("OPEN", txt::kHomePageAddress, "", "", win::kSwShow); }
