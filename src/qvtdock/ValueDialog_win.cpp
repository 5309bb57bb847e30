#include "qvtdock/ValueDialog.h"

bool InputNumber(int, int, int, int, const std::string&, const std::string&, int&, int) {
    return false;
}

bool InputText(int, int, const std::string&, const std::string&, std::string&) {
    return false;
}

bool InputChoice(int, int, const std::string&, const std::string&, const std::vector<std::string>&,
                 int&, int) {
    return false;
}
