// Shapes as signed distance fields (pixels; negative inside) with a bounding box, so painting
// only visits the pixels a shape can touch.
#pragma once

#include <functional>
#include <vector>

namespace assetgen {

struct Vec2 {
  float x = 0, y = 0;
};

struct Box2 {
  float x0 = 0, y0 = 0, x1 = 0, y1 = 0;
};

struct Shape {
  std::function<float(Vec2)> distance;
  Box2 bounds;
  float operator()(Vec2 p) const { return distance(p); }
};

Shape Circle(Vec2 c, float r);
Shape Ellipse(Vec2 c, float rx, float ry);
// Rectangle centred on c with half sizes h; corners rounded by radius round.
Shape Rect(Vec2 c, Vec2 h, float round = 0);
// Segment from a to b thickened by radius r.
Shape Capsule(Vec2 a, Vec2 b, float r);
// Any simple polygon, points in order.
Shape Polygon(std::vector<Vec2> points);

Shape Union(const std::vector<Shape>& parts);
Shape Intersect(const Shape& a, const Shape& b);
Shape Subtract(const Shape& a, const Shape& cut);
// Grows (r > 0) or shrinks the shape, rounding its corners.
Shape Inflate(const Shape& s, float r);
// Hollow ring of the given half thickness along the outline.
Shape Outline(const Shape& s, float half_thickness);
// Turns the shape by radians around pivot.
Shape Rotate(const Shape& s, Vec2 pivot, float radians);
// The shape plus its mirror image across the horizontal line y = axis.
Shape MirrorY(const Shape& s, float axis);

}  // namespace assetgen
