#pragma once
// The bytes of an enhanced metafile: records of 32-bit little-endian fields,
// each starting with its type and its size in bytes (a multiple of four).
// The writer counts the records and lets the header be patched at the end.

#include <cstddef>
#include <cstdint>
#include <initializer_list>
#include <string>
#include <string_view>

namespace kvx {

namespace emr {
// Record types.
constexpr uint32_t header = 1;
constexpr uint32_t setWindowExtEx = 9;
constexpr uint32_t setViewportExtEx = 11;
constexpr uint32_t eof = 14;
constexpr uint32_t setPixelV = 15;
constexpr uint32_t setMapMode = 17;
constexpr uint32_t setBkMode = 18;
constexpr uint32_t setTextAlign = 22;
constexpr uint32_t setTextColor = 24;
constexpr uint32_t setBkColor = 25;
constexpr uint32_t moveToEx = 27;
constexpr uint32_t intersectClipRect = 30;
constexpr uint32_t saveDc = 33;
constexpr uint32_t restoreDc = 34;
constexpr uint32_t selectObject = 37;
constexpr uint32_t createBrushIndirect = 39;
constexpr uint32_t deleteObject = 40;
constexpr uint32_t ellipse = 42;
constexpr uint32_t rectangle = 43;
constexpr uint32_t lineTo = 54;
constexpr uint32_t beginPath = 59;
constexpr uint32_t endPath = 60;
constexpr uint32_t closeFigure = 61;
constexpr uint32_t strokePath = 64;
constexpr uint32_t extCreateFontIndirectW = 82;
constexpr uint32_t extTextOutW = 84;
constexpr uint32_t extCreatePen = 95;

// Stock objects are named by their number with the top bit set.
constexpr uint32_t stockObject = 0x80000000u;
constexpr uint32_t whiteBrush = stockObject | 0;
constexpr uint32_t nullBrush = stockObject | 5;
constexpr uint32_t blackPen = stockObject | 7;
constexpr uint32_t nullPen = stockObject | 8;
constexpr uint32_t systemFont = stockObject | 13;
}  // namespace emr

class EmfRecords {
public:
    // Starts a record; fields follow until end().
    void begin(uint32_t type);
    void u8(uint8_t value) { out_ += static_cast<char>(value); }
    void u16(uint16_t value);
    void u32(uint32_t value);
    void i32(int32_t value) { u32(static_cast<uint32_t>(value)); }
    void f32(float value);
    // UTF-16 code units, padded with zeros to `units` units.
    void utf16(std::u16string_view text, size_t units);
    // Pads the record to four bytes and writes its size.
    void end();
    // A whole record of 32-bit fields.
    void add(uint32_t type, std::initializer_list<int32_t> fields);

    // Bytes from the start of the current record.
    size_t recordOffset() const { return out_.size() - start_; }
    void patchU32(size_t offset, uint32_t value);
    void patchU16(size_t offset, uint16_t value);

    size_t size() const { return out_.size(); }
    uint32_t count() const { return count_; }
    const std::string& bytes() const { return out_; }

private:
    std::string out_;
    size_t start_ = 0;
    uint32_t count_ = 0;
};

}  // namespace kvx
