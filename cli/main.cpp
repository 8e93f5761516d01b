#include "EboCli.h"

#include <clocale>

int main(int argc, char* argv[])
{
    std::setlocale(LC_ALL, "");  // system error texts in the user's language
    return ebo::RunEboCli(argc, argv);
}
