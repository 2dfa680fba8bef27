// The WebAssembly module is inside this file as base64 text (SINGLE_FILE:
// the page then works from file:// as well). The loader would fetch() it
// as a data: URL, which the browser decodes in its network process and
// hands back: that round trip cost more than the compilation itself, most
// of all on a busy machine. Decoding it here (atob, or node's Buffer) and
// compiling asynchronously takes a few milliseconds.
if (!Module['instantiateWasm']) {
  Module['instantiateWasm'] = function (imports, receiveInstance) {
    WebAssembly.instantiate(tryParseAsDataURI(wasmBinaryFile), imports).then(
      function (result) {
        receiveInstance(result['instance'], result['module']);
      },
      readyPromiseReject,
    );
    return {}; // the exports arrive through receiveInstance
  };
}
