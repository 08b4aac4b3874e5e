#include "xml/XMLElementPL.h"

#include <utility>

namespace guard {

// The descendants are moved into one flat list, each one's children joining
// the list before it is freed, so every element is freed without children.
XMLElementPL::~XMLElementPL()
{
    if (children.empty())
        return;
    std::vector<XMLElementPL> pending = std::move(children);
    while (!pending.empty()) {
        XMLElementPL last = std::move(pending.back());
        pending.pop_back();
        for (XMLElementPL& child : last.children)
            pending.push_back(std::move(child));
        last.children.clear();
    }
}

} // namespace guard
