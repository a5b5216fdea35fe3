#pragma once

// Big but legal input for the protocol: many result rows, a long conclusion with line breaks
// of every kind, and 1 000-character fields, all in Cyrillic.
#include "protocol/protocol_data.h"

#include <string>

namespace hardening {

// A text of the given number of characters (not bytes) made of Cyrillic words.
inline std::string CyrillicText(std::size_t characters, std::string_view seed) {
    const std::string word = std::string(seed) + " пожарный кран этажа ";
    std::string text;
    std::size_t count = 0;
    while (count < characters) {
        for (std::size_t i = 0; i < word.size() && count < characters;) {
            const std::size_t length = (static_cast<unsigned char>(word[i]) & 0x80) ? 2 : 1;
            text.append(word, i, length);
            i += length;
            ++count;
        }
    }
    return text;
}

// Paragraphs of a conclusion, broken by CR LF, LF and CR in turn.
inline std::string LongConclusion(std::size_t characters) {
    static constexpr const char* breaks[] = {"\r\n", "\n", "\r"};
    std::string text;
    int paragraph = 0;
    while (text.size() < characters) {
        text += CyrillicText(500, "Абзац " + std::to_string(paragraph));
        text += breaks[paragraph % 3];
        ++paragraph;
    }
    return text;
}

inline protocol::ProtocolData BigProtocol(int rows, std::size_t fieldLength,
                                          std::size_t conclusionLength) {
    protocol::ProtocolData data;
    data.general.date = {5, 3, 2024};
    data.general.Mesto = CyrillicText(fieldLength, "Город");
    data.general.MestoProverki = CyrillicText(fieldLength, "Адрес");
    data.general.ObjName = CyrillicText(fieldLength, "Объект");
    data.general.NameOrg = CyrillicText(fieldLength, "Организация");
    data.general.Oborud = CyrillicText(fieldLength, "Оборудование");
    data.JetFlow = 2.5;
    data.Dnas = "13";
    data.Memo1 = LongConclusion(conclusionLength);
    for (int r = 1; r <= rows; ++r) {
        const int tenths = 5 + (r * 7) % 156;
        data.results.push_back({std::to_string(r), "ПК-" + std::to_string(r),
                                "этаж " + std::to_string(r), "нет",
                                std::to_string(tenths / 10) + "," + std::to_string(tenths % 10),
                                "2,6", r % 3 == 0 ? "Нет" : "Да"});
    }
    return data;
}

} // namespace hardening
