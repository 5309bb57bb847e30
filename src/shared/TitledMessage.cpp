#include "shared/TitledMessage.h"

std::string TitledMessageText(std::string_view title, std::string_view msg) {
    std::string text = "【 ";
    text.append(title);
    text += " 】\r\r";
    text.append(msg);
    return text;
}

forms::TPoint TitledMessagePlace(int x, int y, forms::TPoint pointer) {
    return {x == 0 ? pointer.X - 16 : x, y == 0 ? pointer.Y - 16 : y};
}
