#pragma once
// The event signatures the picker controls share. Each event carries the
// control that raised it as its first argument; a control takes these names
// by deriving from TPickerEvents<itself>.
#include <QChar>
#include <QPoint>
#include <Qt>

#include <functional>

template <class Sender>
struct TPickerEvents {
    using TNotifyEvent = std::function<void(Sender* sender)>;
    using TMouseEvent =
        std::function<void(Sender* sender, Qt::MouseButton button, Qt::KeyboardModifiers shift, int x, int y)>;
    using TMouseMoveEvent = std::function<void(Sender* sender, Qt::KeyboardModifiers shift, int x, int y)>;
    using TKeyEvent = std::function<void(Sender* sender, int& key, Qt::KeyboardModifiers shift)>;
    using TKeyPressEvent = std::function<void(Sender* sender, QChar& key)>;
    using TMouseWheelUpDownEvent =
        std::function<void(Sender* sender, Qt::KeyboardModifiers shift, QPoint mousePos, bool& handled)>;
    using TContextPopupEvent = std::function<void(Sender* sender, QPoint mousePos, bool& handled)>;
};
