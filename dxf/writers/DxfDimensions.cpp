#include "dxf/writers/DxfDimensions.h"

void WriteDxf2000Dimension(DxfWriterState&, const DxfOptions&, const DrawingState&, const Dxf2000Dimension&) {
    // Stands for the DIMENSION entity and its *D block of a DXF 2000 file, which the DXF dimension
    // writer fills in; until then a 2000 export carries no dimensions.
}
