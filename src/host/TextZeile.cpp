#include "host/TextZeile.h"

namespace {

bool IsCapital(char c) {
    return c >= 'A' && c <= 'Z';
}

} // namespace

TextZeileArt ClassifyTextZeile(std::string_view line) {
    if (!line.empty() && (line[0] == '*' || line[0] == ';')) {
        return TextZeileArt::Kommentar;
    }
    if (line.size() >= 2 && IsCapital(line[0]) && IsCapital(line[1])) {
        return TextZeileArt::Schluessel;
    }
    return TextZeileArt::Daten;
}

std::string_view TextZeileErstesWort(std::string_view line) {
    return line.substr(0, line.find_first_of(" \t\r\n"));
}

TextLeseErgebnis ReadTextZeile(std::FILE* file, std::string& line) {
    line.clear();
    int c = std::getc(file);
    if (c == EOF) {
        return TextLeseErgebnis::Ende;
    }
    for (; c != EOF && c != '\n'; c = std::getc(file)) {
        if (line.size() > kMaxTextZeile) {
            return TextLeseErgebnis::ZuLang;
        }
        line.push_back(static_cast<char>(c));
    }
    if (!line.empty() && line.back() == '\r') {
        line.pop_back();
    }
    if (line.size() > kMaxTextZeile) {
        return TextLeseErgebnis::ZuLang;
    }
    if (c == '\n') {
        line.push_back('\n');
    }
    return TextLeseErgebnis::Zeile;
}
