#pragma once

// src/geometry: the 3D analytic geometry (points, vectors, lines, circles, segment lines,
// polygons, angles). It uses the platform only; the drawing engine stands on it.

// Fixed values of the 3D geometry types (CGPoint, CGVector, CGLine, CGPolygon,
// CGSegLine). Lengths are in the caller's unit, angles in radians.

// Kinds: the first field of every tagged geometry record.
inline constexpr int kCGPunkt = 1;
inline constexpr int kCGVektor = 2;
inline constexpr int kCGGerade = 4;
inline constexpr int kCGKreis = 5;
inline constexpr int kCGIntervall = 6;

// A full turn as the geometry writes it.
inline constexpr double kCGZweiPi = 6.28318530718;
// An angle at least this large in magnitude is within 0.001 of a full turn and is
// taken back by a full turn.
inline constexpr double kCGVollerKreis = 6.28218530718;
// Upper bound of the left side in the side test of two vectors.
inline constexpr double kCGHalberKreis = 3.141592653;
// Coordinates smaller than this are taken as 0 before an angle is computed.
inline constexpr double kCGNull = 1e-6;
// Points are equal when every coordinate differs by less than this.
inline constexpr double kCGGleich = 1e-4;
// Result of a search or intersection without a solution.
inline constexpr double kCGKeineLoesung = 1e10;
// A segment test accepts line parameters in this range.
inline constexpr double kCGSegmentAnfang = -0.001;
inline constexpr double kCGSegmentEnde = 1.001;
// Two directions are parallel when their cross product is at most this.
inline constexpr double kCGParallel = 1e-5;
// A direction within this of (0, 0, 0) in every coordinate is degenerate.
inline constexpr double kCGEntartet = 1e-4;
// A line meets a circle in one point when the discriminant is this close to 0.
inline constexpr double kCGTangente = 0.001;
