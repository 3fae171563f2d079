// The yardstick of a whole run: a C++ program that does nothing but start, linked
// dynamically with libstdc++ and libxml2 as the program is.
#include <libxml/xmlversion.h>

#include <iostream>

int main() {
    LIBXML_TEST_VERSION
    std::cout << "Hallo\n";
    return 0;
}
