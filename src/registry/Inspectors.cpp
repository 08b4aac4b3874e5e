#include "registry/Inspectors.h"

namespace guard {

bool registerRows(const InspectorRow* rows, std::size_t count, unsigned char* storage, std::size_t storageSize)
{
    for (std::size_t i = 0; i < count; ++i) {
        const InspectorRow& row = rows[i];
        const std::size_t size = registeredSize(row);
        // A block too small (the storage used up) is refused by the kind's
        // registration.
        void* block = size <= storageSize ? storage : nullptr;
        switch (row.kind) {
        case InspectorRow::Kind::Type: {
            TypeRecord* type = registerType(block, size, row.type.name, row.type.valueSize, destroyNothing,
                                            row.type.baseName, row.type.hash);
            type->declaredSize = row.type.declaredSize;
            type->selfContained = row.type.selfContained;
            break;
        }
        case InspectorRow::Kind::Property: registerProperty(block, size, row.property); break;
        case InspectorRow::Kind::Cast: registerCast(block, size, row.cast); break;
        case InspectorRow::Kind::BinaryOperator: registerBinaryOperator(block, size, row.binary); break;
        case InspectorRow::Kind::UnaryOperator: registerUnaryOperator(block, size, row.unary); break;
        }
        storage += size;
        storageSize -= size;
    }
    return true;
}

} // namespace guard
