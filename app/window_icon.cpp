#include "window_icon.h"

#include <cstring>

std::vector<unsigned char> iconRowsFromColumns(const unsigned char* columns, int size) {
    std::vector<unsigned char> rows(static_cast<std::size_t>(size) * size * 4);
    for (int x = 0; x < size; ++x) {
        for (int y = 0; y < size; ++y) {
            std::memcpy(&rows[(static_cast<std::size_t>(y) * size + x) * 4],
                        &columns[(static_cast<std::size_t>(x) * size + y) * 4], 4);
        }
    }
    return rows;
}
