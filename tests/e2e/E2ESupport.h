#pragma once
// Helpers for tests that drive the real X server: outside tools run while
// this process keeps serving its own events (the clipboard is answered by
// the owner's event loop), windows of known colour stand for screen content.
#include <QColor>
#include <QRect>
#include <QString>
#include <QStringList>
#include <QWidget>

#include <memory>

namespace e2e {

// Runs a tool to the end (at most timeoutMs) while processing events;
// returns its standard output, or a null string if it failed to run.
QString Run(const QString& program, const QStringList& args, int timeoutMs = 10000);
// The text on the CLIPBOARD selection, as another client reads it.
QString ReadClipboard();
// Moves the real pointer (physical pixels) and waits until the server has it.
void MovePointer(int x, int y);
// Real button press and release at the pointer (1 left, 3 right), and keys.
void Click(int button);
void Key(const QString& keysym);
// Starts a tool without waiting for it: a sequence of input that opens a
// modal window and goes on inside it must not wait inside this process.
void Start(const QString& program, const QStringList& args);
// Lets events and timers run for ms milliseconds.
void Wait(int ms);

// A borderless window of one colour, above everything, at a physical rectangle.
std::unique_ptr<QWidget> ShowSwatch(const QRect& physical, const QColor& colour);

} // namespace e2e
