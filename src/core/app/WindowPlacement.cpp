#include "core/app/WindowPlacement.h"
#include "core/model/DesignForm.h"
#include "core/model/DesignProject.h"

#include <algorithm>

namespace zf {

namespace {

// A new window looks this many steps for a free place.
constexpr int kFreePlaceSteps = 16;

} // namespace

std::vector<QPoint> cascadePositions(int count, QSize window, const QRect &area)
{
    std::vector<QPoint> positions;
    int column = 0;
    int row = 0;
    for (int i = 0; i < count; ++i) {
        const int y = area.top() + row * kCascadeStep;
        if (row > 0 && y + window.height() > area.bottom() + 1) {
            ++column;
            row = 0;
        }
        positions.push_back(area.topLeft() +
                            QPoint((column + row) * kCascadeStep, row * kCascadeStep));
        ++row;
    }
    return positions;
}

std::vector<QPoint> tilePositions(int count, QSize window, const QRect &area)
{
    const int across = std::max(1, area.width() / std::max(1, window.width()));
    std::vector<QPoint> positions;
    for (int i = 0; i < count; ++i) {
        positions.push_back(area.topLeft() +
                            QPoint(i % across * window.width(), i / across * window.height()));
    }
    return positions;
}

QPoint freeWindowPosition(const DesignProject &project, const DesignForm &placed, QPoint preferred)
{
    const auto taken = [&](QPoint place) {
        return std::any_of(project.forms().begin(), project.forms().end(), [&](const auto &form) {
            return form.get() != &placed && form->isShown() &&
                   QPoint(form->left(), form->top()) == place;
        });
    };
    for (int step = 0; step < kFreePlaceSteps; ++step) {
        const QPoint place = preferred + QPoint(step, step) * kCascadeStep;
        if (!taken(place))
            return place;
    }
    return preferred;
}

} // namespace zf
