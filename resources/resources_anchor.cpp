// Anchors the resource library; the data itself comes from the resource compiler.
