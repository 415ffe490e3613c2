#include "pdf/TPDFProcSet.h"

#include "pdf/TRenderPDF.h"

namespace pdf {

void TPDFProcSet::WriteObject() {
    BeginObject();
    Owner.PutLine(Owner.ImageList.empty() ? "[/PDF /Text]" : "[/PDF /Text /ImageB /ImageC /ImageI]");
    EndObject();
}

} // namespace pdf
