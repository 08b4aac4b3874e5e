#include "registry/Inspectors.h"

namespace guard {

bool registerRows(const InspectorRow* rows, std::size_t count, unsigned char* storage, std::size_t storageSize)
{
    for (std::size_t i = 0; i < count; ++i) {
        const InspectorRow& row = rows[i];
        switch (row.kind) {
        case InspectorRow::Kind::Type: {
            // A block too small (the storage used up) is refused.
            const std::size_t size = registeredSize(row);
            TypeRecord* type = registerType(size <= storageSize ? storage : nullptr, size, row.type.name,
                                            row.type.valueSize, destroyNothing, row.type.baseName, row.type.hash);
            type->declaredSize = row.type.declaredSize;
            type->selfContained = row.type.selfContained;
            storage += size;
            storageSize -= size;
            break;
        }
        case InspectorRow::Kind::Property: appendProperty(&row.property); break;
        case InspectorRow::Kind::Cast: appendCast(&row.cast); break;
        case InspectorRow::Kind::BinaryOperator: appendBinaryOperator(&row.binary); break;
        case InspectorRow::Kind::UnaryOperator: appendUnaryOperator(&row.unary); break;
        }
    }
    return true;
}

} // namespace guard
