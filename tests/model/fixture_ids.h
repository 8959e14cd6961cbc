// TEXTFILE ids of fixtures.rc.
#pragma once

constexpr int kRectangleObj = 141;
constexpr int kRectangleMtl = 140;
constexpr int kTwoMeshesObj = 601;
constexpr int kTwoMeshesMtl = 602;
constexpr int kCommentsOnlyObj = 603;
// No resource has this id.
constexpr int kMissingResource = 999;
