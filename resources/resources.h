#pragma once
// The drawing and the pictures live in a library of their own; this links them in.
void loadResources();
