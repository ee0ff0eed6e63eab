#include "platform/app/dialog_builder.h"

#include "platform/core/ui_host.h"

#include <utility>

namespace plat {

ControlTemplate ControlAt(unsigned id, ControlKind kind, std::string text, int row, int column, bool group)
{
    return {.id = id, .kind = kind, .text = std::move(text), .row = row, .column = column, .group = group};
}

ControlTemplate GroupBoxAt(std::string text, int row, int span, int rowsBelow, int column)
{
    return {.id = kIdStaticText, .kind = ControlKind::GroupBox, .text = std::move(text), .row = row, .column = column,
            .span = span, .rowSpan = rowsBelow + 1};
}

DialogBuilder::DialogBuilder(unsigned id, std::string title, int fieldLimit) : fieldLimit_(fieldLimit)
{
    t_.id = id;
    t_.title = std::move(title);
}

DialogBuilder& DialogBuilder::add(unsigned id, ControlKind kind, std::string text, int row, int column, int span)
{
    t_.controls.push_back({.id = id, .kind = kind, .text = std::move(text), .row = row, .column = column, .span = span});
    return *this;
}

DialogBuilder& DialogBuilder::label(std::string text, int row, int column)
{
    return add(kIdStaticText, ControlKind::Static, std::move(text), row, column);
}

DialogBuilder& DialogBuilder::field(unsigned id, std::string text, int row, int column, unsigned labelId)
{
    return labelled(id, ControlKind::Edit, std::move(text), row, column, labelId).limit(fieldLimit_);
}

DialogBuilder& DialogBuilder::labelled(unsigned id, ControlKind kind, std::string text, int row, int column,
                                       unsigned labelId)
{
    return add(labelId, ControlKind::Static, std::move(text), row, column).add(id, kind, "", row, column + 1);
}

DialogBuilder& DialogBuilder::okCancel(int row, int column)
{
    return add(kIdOk, ControlKind::DefPushButton, "OK", row, column).group().add(kIdCancel, ControlKind::PushButton, "Cancel", row, column + 1);
}

DialogBuilder& DialogBuilder::group()
{
    t_.controls.back().group = true;
    return *this;
}

DialogBuilder& DialogBuilder::style(unsigned flags)
{
    t_.controls.back().style |= flags;
    return *this;
}

DialogBuilder& DialogBuilder::size(int width, int height)
{
    t_.controls.back().width = width;
    t_.controls.back().height = height;
    return *this;
}

DialogBuilder& DialogBuilder::rows(int count)
{
    t_.controls.back().rowSpan = count;
    return *this;
}

DialogBuilder& DialogBuilder::limit(int characters)
{
    t_.controls.back().limit = characters;
    return *this;
}

}  // namespace plat
