// What sets each of the four films' players apart from the others': one
// table, a row per film, in motiontraits.cpp.
#pragma once

#include "motion/model/motionrules.h"

#include <QRect>
#include <QSize>
#include <array>
#include <cstdint>

// Hint texts (UTF-8) a film puts in place of the player's own; null keeps
// the player's.
struct MotionHints
{
    const char* back = nullptr; // ArriereBout
    const char* forward = nullptr; // AvantBout
    const char* play = nullptr; // PlayBout
    const char* start = nullptr; // DebutBout
    const char* traces = nullptr; // every trace check box
    const char* rate = nullptr; // IpsCombo
};

// How a film's player behaves where the films differ.
namespace MotionFlag {
constexpr std::uint8_t LoopButton = 1; // BoucleBout; without it the loop stays as the last film left it
constexpr std::uint8_t ConsumesCtrl = 2; // the Ctrl key goes no further after its step
constexpr std::uint8_t BeepsOnEveryKey = 4;
} // namespace MotionFlag

// A film's window as designed: its client size, and the height of its
// bottom panel with the canvas's top above it (none for the free fall,
// whose panel is on the right).
struct MotionLayout
{
    QSize size;
    int panelHeight = 0;
    int canvasTop = 0;
};

struct MotionTraits
{
    MotionKind kind; // its steps and trace marks
    const char* helpKeyword;
    const char* name; // the form's object name, "BalleF"
    const char* title; // the film's name (UTF-8): caption and worksheet title
    std::array<bool, 3> points; // A, B, C tracked
    std::uint8_t flags; // MotionFlag bits
    // The ellipse that marks a point at its current frame, around the point.
    QRect mark;
    MotionHints hints;
    MotionLayout layout;
};

const MotionTraits& FilmTraits(MotionKind kind);
