#pragma once

// The program's name: its window title and the caption of its message boxes.
constexpr char kAppName[] = "Tivora";
