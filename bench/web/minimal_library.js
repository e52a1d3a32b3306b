// The frame goes on the canvas as the program's page puts it there.
mergeInto(LibraryManager.library, {
  minimal_show_frame: function (pointer, width, height) {
    var canvas = document.getElementById('screen');
    var pixels = new Uint8ClampedArray(HEAPU8.buffer, pointer, width * height * 4);
    canvas.getContext('2d', { alpha: false }).putImageData(new ImageData(pixels, width, height), 0, 0);
    window.minimalFrameAt = performance.now();
  },
});
