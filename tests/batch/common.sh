# What the batch-mode tests share; sourced with the test's arguments: the
# kurvex program and a scratch folder, which is emptied and entered.
set -u
kurvex=$1
scratch=$2
rm -rf "$scratch"
mkdir -p "$scratch"
cd "$scratch" || exit 1
failed=0
fail() { echo "$1"; failed=1; }
# limit_memory MB, in a subshell: what follows may use about MB megabytes.
# AddressSanitizer reserves terabytes of address space for itself, so there
# no single allocation may exceed MB instead.
limit_memory() {
  if [ -n "${KURVEX_SANITIZED:-}" ]; then
    ASAN_OPTIONS="${ASAN_OPTIONS:-}:allocator_may_return_null=1:max_allocation_size_mb=$1"
    export ASAN_OPTIONS
  else
    ulimit -v $(($1 * 1024))
  fi
}
