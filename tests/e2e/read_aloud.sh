#!/usr/bin/env bash
# Key 9 in the real program in a real X server, with speech going to a WAV file instead of a
# sound card; the WAV of the first question is kept as the test's artefact.
set -euo pipefail

program_dir=$1
query=$2
artefact_dir=$3
here=$(cd "$(dirname "$0")" && pwd)
# shellcheck source=x_session.sh
. "$here/x_session.sh"
require_x_tools
make_work_folder
copy_program "$work"
wav="$work/question.wav"
start_x 1024x768
start_program "$work" XUNDRAL_SPEECH_WAV="$wav"

# Sequential practice, then key 9 on its first question.
sequential_practice
xdotool key 9
for _ in $(seq 1 40); do
    [ -s "$wav" ] && break
    sleep 0.25
done
[ -s "$wav" ] || fail "key 9 wrote no speech"
[ "$(head -c 4 "$wav")" = RIFF ] || fail "the speech file is not a WAV file"
size=$(stat -c %s "$wav")
# 22050 samples of two bytes a second: a question with its choices lasts several seconds.
[ "$size" -gt 100000 ] || fail "the speech of the first question is too short ($size bytes)"
echo "ok: key 9 read the first question aloud ($size bytes of WAV)"
expect_db "key 9 stored no answer" "select count(*) from B2 where MARK<>5" 0

# An answer still goes through as before.
press 1
expect_db "key 1 answered after key 9" "select MARK from B2 where ID=1" 1

mkdir -p "$artefact_dir"
cp "$wav" "$artefact_dir/read-aloud-question-1.wav"
echo "kept $artefact_dir/read-aloud-question-1.wav"
