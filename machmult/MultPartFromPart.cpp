#include "machmult/MultPart.h"

#include "partprog/PartDoc.h"

std::unique_ptr<CMultPart> CMultPart::FromPart(CPartDoc& part)
{
    auto multPart = std::make_unique<CMultPart>();
    multPart->SetHeader(part.GetPartRecord());
    if (const CPartShape* shape = part.GetPartShape())
        shape->GetFaceToolList(multPart->GetTools());
    multPart->SetPartPath(part.GetPathName());
    return multPart;
}
