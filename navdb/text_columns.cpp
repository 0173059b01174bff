#include "navdb/text_columns.h"

int splitColumns(std::string_view text, std::string_view* columns, int maxColumns) {
    int count = 0;
    size_t i = 0;
    while (count < maxColumns) {
        while (i < text.size() && isBlank(text[i])) ++i;
        if (i >= text.size()) break;
        const size_t start = i;
        while (i < text.size() && !isBlank(text[i])) ++i;
        columns[count++] = text.substr(start, i - start);
    }
    return count;
}
