// Ids of the resources in fixtures.rc.
#pragma once

constexpr int kQuadVertexShader = 3001;
constexpr int kQuadFragmentShader = 3002;
constexpr int kBrokenVertexShader = 3003;
constexpr int kBrokenFragmentShader = 3004;
constexpr int kTextStartingWithMarker = 3005;
constexpr int kTextWithTwoMarkers = 3006;
constexpr int kTextWithoutMarker = 3007;
constexpr int kQuadModel = 3010;
constexpr int kQuadMaterial = 3011;
constexpr int kPicture24Bit = 3101;
constexpr int kPicture8Bit = 3102;
constexpr int kMissingResource = 3999;
