// An object library needs at least one source.
namespace quill_empty {}
