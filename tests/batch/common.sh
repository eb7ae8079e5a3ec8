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
