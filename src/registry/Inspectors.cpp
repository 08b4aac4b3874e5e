#include "registry/Inspectors.h"

namespace guard {

bool registerRows(const InspectorRow* rows, RegistrationBlock* blocks, std::size_t count)
{
    for (std::size_t i = 0; i < count; ++i) {
        const InspectorRow& row = rows[i];
        void* block = &blocks[i];
        constexpr std::size_t size = sizeof(RegistrationBlock);
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
    }
    return true;
}

} // namespace guard
