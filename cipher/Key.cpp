#include "Key.h"

#include "StrToInt.h"

namespace ebo {

KeyByte KeyByteFromText(const std::string& text)
{
    // Two's complement: -1 is 255, 256 is 0.
    return static_cast<KeyByte>(static_cast<std::uint32_t>(StrToInt(text)) & 0xFFu);
}

}  // namespace ebo
