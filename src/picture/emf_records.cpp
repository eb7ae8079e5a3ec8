#include "picture/emf_records.h"

#include <bit>

namespace kvx {

void EmfRecords::begin(uint32_t type)
{
    start_ = out_.size();
    u32(type);
    u32(0);  // the size, written by end()
}

void EmfRecords::u16(uint16_t value)
{
    out_ += static_cast<char>(value & 0xFF);
    out_ += static_cast<char>(value >> 8);
}

void EmfRecords::u32(uint32_t value)
{
    for (int shift = 0; shift < 32; shift += 8) {
        out_ += static_cast<char>((value >> shift) & 0xFF);
    }
}

void EmfRecords::f32(float value)
{
    u32(std::bit_cast<uint32_t>(value));
}

void EmfRecords::utf16(std::u16string_view text, size_t units)
{
    for (size_t k = 0; k < units; ++k) {
        u16(k < text.size() ? static_cast<uint16_t>(text[k]) : 0);
    }
}

void EmfRecords::end()
{
    while ((out_.size() - start_) % 4 != 0) {
        out_ += '\0';
    }
    patchU32(start_ + 4, static_cast<uint32_t>(out_.size() - start_));
    ++count_;
}

void EmfRecords::add(uint32_t type, std::initializer_list<int32_t> fields)
{
    begin(type);
    for (int32_t field : fields) {
        i32(field);
    }
    end();
}

void EmfRecords::patchU32(size_t offset, uint32_t value)
{
    for (int k = 0; k < 4; ++k) {
        out_[offset + k] = static_cast<char>((value >> (8 * k)) & 0xFF);
    }
}

void EmfRecords::patchU16(size_t offset, uint16_t value)
{
    out_[offset] = static_cast<char>(value & 0xFF);
    out_[offset + 1] = static_cast<char>(value >> 8);
}

}  // namespace kvx
