#include "model/field.h"

#include <stdexcept>
#include <string>

namespace bx {

namespace {
[[noreturn]] void out_of_field(const Field& f, int i, int k) {
    throw std::out_of_range(std::string("field ") + f.name + ": instance " + std::to_string(i) + ", byte " +
                            std::to_string(k));
}
}  // namespace

int Field::record_of(int i, int k) const {
    if (i < 0 || i >= at.count || k < 0 || k >= len) out_of_field(*this, i, k);
    return at.record(i) + (byte + k) / kRecordBytes;
}

int Field::byte_of(int i, int k) const {
    if (i < 0 || i >= at.count || k < 0 || k >= len) out_of_field(*this, i, k);
    return (byte + k) % kRecordBytes;
}

uint8_t& Field::ref(MemImage& img, int i, int k) const { return img(record_of(i, k), byte_of(i, k)); }

uint8_t Field::ref(const MemImage& img, int i, int k) const { return img(record_of(i, k), byte_of(i, k)); }

int Field::get(const MemImage& img, int i) const {
    if (len == 2) return ref(img, i, 0) | (ref(img, i, 1) << 8);
    if (len != 1) throw std::logic_error(std::string("field ") + name + " is a run of bytes");
    return (ref(img, i) & mask()) >> shift;
}

void Field::set(MemImage& img, int i, int v) const {
    if (len == 2) {
        ref(img, i, 0) = static_cast<uint8_t>(v & 0xFF);
        ref(img, i, 1) = static_cast<uint8_t>((v >> 8) & 0xFF);
        return;
    }
    if (len != 1) throw std::logic_error(std::string("field ") + name + " is a run of bytes");
    uint8_t& b = ref(img, i);
    b = static_cast<uint8_t>((b & ~mask()) | ((v << shift) & mask()));
}

std::vector<uint8_t> Field::bytes(const MemImage& img, int i) const {
    std::vector<uint8_t> out;
    out.reserve(static_cast<size_t>(len));
    for (int k = 0; k < len; ++k) out.push_back(ref(img, i, k));
    return out;
}

void Field::put(MemImage& img, int i, std::span<const uint8_t> data) const {
    const int n = static_cast<int>(data.size()) < len ? static_cast<int>(data.size()) : len;
    for (int k = 0; k < n; ++k) ref(img, i, k) = data[static_cast<size_t>(k)];
}

void Field::fill(MemImage& img, int i, uint8_t v) const {
    for (int k = 0; k < len; ++k) ref(img, i, k) = v;
}

void Field::require(Codec c, int n) const {
    if (codec != c || len != n)
        throw std::logic_error(std::string("field ") + name + " is not coded as the caller expects");
}

int Field::list_pos(const MemImage& img, int i) const {
    const int v = get(img, i);
    return items > 0 && v > items - 1 ? items - 1 : v;
}

}  // namespace bx
