// The command line for node reads its environment like the native one
// (SOURCE_DATE_EPOCH dates a sizing sheet; LC_ALL and LANG must not change
// a digit). The runtime's C library starts from a fixed, made-up
// environment, so the process's own variables are copied in before main.
Module['preRun'] = Module['preRun'] || [];
Module['preRun'].push(function () {
  for (var name in process.env) ENV[name] = process.env[name];
});
