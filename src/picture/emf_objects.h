#pragma once
// The pens, brushes and fonts of an enhanced metafile. Each kind has at most
// one object of its own alive: asking for another creates it, selects it and
// only then deletes the old one, so that no selected object is ever deleted.
// Handles are reused, which keeps the header's handle count small.

#include <array>
#include <cstdint>
#include <functional>
#include <string>
#include <vector>

#include "picture/emf_records.h"

namespace kvx {

enum class EmfObjectKind { Pen, Brush, Font };

class EmfObjects {
public:
    explicit EmfObjects(EmfRecords& records) : records_(records) {}

    // Selects the object that `key` describes; `create` writes the record
    // that creates it at the handle given, when it is not the current one.
    void select(EmfObjectKind kind, const std::string& key,
                const std::function<void(uint32_t handle)>& create);
    void selectStock(EmfObjectKind kind, uint32_t stock);

    // Selects the stock objects in place of the own ones, so that a saved
    // device context refers to none of them.
    void selectStockObjects();
    using Selection = std::array<uint32_t, 3>;
    Selection selection() const { return selected_; }
    // After a restored device context: what is selected again.
    void restoreSelection(const Selection& selection) { selected_ = selection; }

    // Selects the stock objects and deletes every own object.
    void deleteAll();

    // The size of the handle table, index 0 included.
    uint32_t handleCount() const { return static_cast<uint32_t>(used_.size()) + 1; }

private:
    struct Own {
        std::string key;
        uint32_t handle = 0;  // 0: none
    };

    void selectHandle(EmfObjectKind kind, uint32_t handle);
    void deleteOwn(EmfObjectKind kind);
    uint32_t freeHandle();

    EmfRecords& records_;
    std::array<Own, 3> own_;
    Selection selected_{emr::blackPen, emr::whiteBrush, emr::systemFont};
    std::vector<bool> used_;  // handle k + 1 in use
};

}  // namespace kvx
