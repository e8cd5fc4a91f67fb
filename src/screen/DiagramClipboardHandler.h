#pragma once
#include "DiagramEntity.h"

#include <memory>
#include <vector>

// The objects that were copied, as clones owned by the clipboard.
class CDiagramClipboardHandler
{
public:
    void Clear() { objects_.clear(); }
    void Append(std::unique_ptr<CDiagramEntity> object) { objects_.push_back(std::move(object)); }
    bool IsEmpty() const { return objects_.empty(); }
    const std::vector<std::unique_ptr<CDiagramEntity>>& Objects() const { return objects_; }

private:
    std::vector<std::unique_ptr<CDiagramEntity>> objects_;
};
