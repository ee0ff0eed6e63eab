#include "schemora/core/dxf_reader.h"

namespace {

int objectType(DxfEntity::Kind kind)
{
    switch (kind) {
    case DxfEntity::Kind::Line: return kObjLine;
    case DxfEntity::Kind::Circle: return kObjEllipse;
    case DxfEntity::Kind::Arc: return kObjArc;
    case DxfEntity::Kind::Text: return kObjText;
    }
    return kObjLine;
}

}  // namespace

DxfObjects ReadDxfObjects(std::string_view file, int textStyle, const DxfUnknownEntityQuestion& ask)
{
    DxfReadOptions options;
    options.ask = ask;
    DxfReadResult read = ReadDxfEntities(file, options);
    DxfObjects result;
    result.scale = read.scale;
    result.stopped = read.stopped;
    result.objects.reserve(read.entities.size());
    for (DxfEntity& e : read.entities) {
        DxfObject& o = result.objects.emplace_back();
        const bool text = e.kind == DxfEntity::Kind::Text;
        o.words = ObjectWords(objectType(e.kind), e.x1, e.y1, text ? textStyle : e.x2, text ? 0 : e.y2, 1);
        o.words[6] = 1;
        o.text = std::move(e.text);
    }
    return result;
}
