#!/bin/sh
# kurvex --export OUT.dat on a file with comments, two blocks and a text
# header in the second block: the header stops the read with one warning
# line on standard error, and the first block is written.
# Arguments: the kurvex program, the test data folder, a scratch folder.
set -u
kurvex=$1
data=$2
scratch=$3
mkdir -p "$scratch"
cd "$scratch" || exit 1
rm -f out.dat stderr.txt
"$kurvex" --export out.dat "$data/two_blocks_with_header.dat" 2>stderr.txt
status=$?
if [ $status -ne 0 ]; then
  echo "kurvex ended with $status"; exit 1
fi
expected_warning="Warning: No data found in file  $data/two_blocks_with_header.dat !"
if ! grep -qxF "$expected_warning" stderr.txt; then
  echo "expected the warning line: $expected_warning"; echo "got:"; cat stderr.txt; exit 1
fi
if [ "$(grep -c '^Warning' stderr.txt)" -ne 1 ]; then
  echo "expected exactly one warning"; cat stderr.txt; exit 1
fi
if ! cmp -s out.dat "$data/two_blocks_with_header.expected"; then
  echo "out.dat differs from the expected file:"; diff out.dat "$data/two_blocks_with_header.expected"; exit 1
fi
echo "export of data: ok"
