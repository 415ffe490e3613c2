#include "pdf/TPDFProcSet.h"

#include "pdf/TPDFDocument.h"

namespace pdf {

void TPDFProcSet::WriteObject() {
    BeginObject();
    Owner.PutLine(Owner.ImageList.empty() ? "[/PDF /Text]" : "[/PDF /Text /ImageB /ImageC /ImageI]");
    EndObject();
}

} // namespace pdf
