#include "picture/emf_objects.h"

namespace kvx {

namespace {

constexpr EmfObjectKind allKinds[] = {EmfObjectKind::Pen, EmfObjectKind::Brush,
                                      EmfObjectKind::Font};

constexpr uint32_t stockFor(EmfObjectKind kind)
{
    switch (kind) {
    case EmfObjectKind::Pen: return emr::blackPen;
    case EmfObjectKind::Brush: return emr::whiteBrush;
    case EmfObjectKind::Font: return emr::systemFont;
    }
    return emr::blackPen;
}

size_t indexOf(EmfObjectKind kind)
{
    return static_cast<size_t>(kind);
}

}  // namespace

void EmfObjects::select(EmfObjectKind kind, const std::string& key,
                        const std::function<void(uint32_t handle)>& create)
{
    Own& own = own_[indexOf(kind)];
    if (own.handle != 0 && own.key == key) {
        selectHandle(kind, own.handle);
        return;
    }
    const uint32_t handle = freeHandle();
    create(handle);
    selectHandle(kind, handle);
    deleteOwn(kind);  // no longer selected
    own = {key, handle};
}

void EmfObjects::selectStock(EmfObjectKind kind, uint32_t stock)
{
    selectHandle(kind, stock);
}

void EmfObjects::selectStockObjects()
{
    for (EmfObjectKind kind : allKinds) {
        if (selected_[indexOf(kind)] == own_[indexOf(kind)].handle) {
            selectHandle(kind, stockFor(kind));
        }
    }
}

void EmfObjects::deleteAll()
{
    for (EmfObjectKind kind : allKinds) {
        selectHandle(kind, stockFor(kind));
        deleteOwn(kind);
    }
}

void EmfObjects::selectHandle(EmfObjectKind kind, uint32_t handle)
{
    if (selected_[indexOf(kind)] != handle) {
        records_.add(emr::selectObject, {static_cast<int32_t>(handle)});
        selected_[indexOf(kind)] = handle;
    }
}

void EmfObjects::deleteOwn(EmfObjectKind kind)
{
    Own& own = own_[indexOf(kind)];
    if (own.handle == 0) {
        return;
    }
    records_.add(emr::deleteObject, {static_cast<int32_t>(own.handle)});
    used_[own.handle - 1] = false;
    own = {};
}

uint32_t EmfObjects::freeHandle()
{
    for (size_t k = 0; k < used_.size(); ++k) {
        if (!used_[k]) {
            used_[k] = true;
            return static_cast<uint32_t>(k + 1);
        }
    }
    used_.push_back(true);
    return static_cast<uint32_t>(used_.size());
}

}  // namespace kvx
