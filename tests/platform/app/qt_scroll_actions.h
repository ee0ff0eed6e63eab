#pragma once
// What a person does to a Qt scroll bar (an arrow, the track beside the thumb, an end) and the
// scroll code the program is to get for it.

#include "platform/app/win_constants.h"

#include <QAbstractSlider>

#include <utility>

inline constexpr std::pair<QAbstractSlider::SliderAction, unsigned> kQtScrollActions[] = {
    {QAbstractSlider::SliderSingleStepSub, plat::kSbLineUp}, {QAbstractSlider::SliderSingleStepAdd, plat::kSbLineDown},
    {QAbstractSlider::SliderPageStepSub, plat::kSbPageUp},   {QAbstractSlider::SliderPageStepAdd, plat::kSbPageDown},
    {QAbstractSlider::SliderToMinimum, plat::kSbTop},        {QAbstractSlider::SliderToMaximum, plat::kSbBottom}};
