#!/usr/bin/env bash
# Runs every demo job through turnsim-batch with a DXF drawing and a whole scene, then lets
# readers that nobody here wrote check the files: ezdxf reads and audits the DXF, dime's
# dxf2vrml converts it, and assimp loads the scene with the numbers of faces and vertices the
# file declares. assimp cannot follow a mesh reference ("{Cylinder}") inside a frame, so it
# reads a copy without those reference lines.
# Usage: validate_demo_jobs.sh TURNSIM_BATCH SAMPLES_DIR
set -euo pipefail
batch=$1
samples=$2
scratch=$(mktemp -d)
trap 'rm -rf "$scratch"' EXIT

python=""
for p in python3 /usr/bin/python3; do
  if "$p" -c 'import ezdxf' 2>/dev/null; then python=$p; break; fi
done
for tool in dxf2vrml assimp; do
  command -v "$tool" >/dev/null || { echo "missing $tool (scripts/install-deps installs it)"; exit 1; }
done
[ -n "$python" ] || { echo "missing ezdxf (python3-ezdxf)"; exit 1; }

failed=0
for job_dir in "$samples"/jobs/*/; do
  job=$(basename "$job_dir")
  work="$scratch/$job"
  mkdir -p "$work"
  cp -L "$job_dir"/* "$work"/
  cd "$work"
  "$batch" --quiet --machine 0 --dxf part.dxf --scene "$job.~~" >/dev/null

  if ! "$python" - part.dxf <<'PY'
import sys, ezdxf
doc = ezdxf.readfile(sys.argv[1])
auditor = doc.audit()
if auditor.has_errors or doc.loaded_dxfversion != "AC1014" or len(doc.modelspace()) == 0:
    print("ezdxf:", [str(e) for e in auditor.errors], doc.loaded_dxfversion)
    sys.exit(1)
PY
  then echo "$job: ezdxf refuses part.dxf"; failed=1; fi

  dime_log=$(dxf2vrml part.dxf -o part.wrl 2>&1) || true
  if [ ! -s part.wrl ] || grep -qiE 'error|failed' <<<"$dime_log"; then
    echo "$job: dxf2vrml refuses part.dxf: $dime_log"; failed=1
  fi

  grep -vE '^[[:space:]]*\{[A-Za-z_0-9]+\}[[:space:]]*$' aprox.x >meshes.x
  # What the file declares: faces, and face corners (assimp gives every face its own vertices).
  declared=$("$python" - meshes.x <<'PY'
import re, sys
text = open(sys.argv[1]).read()
faces = corners = meshes = 0
for m in re.finditer(r"\bMesh\s+\w*\s*\{", text):
    numbers = iter(re.findall(r"-?\d+(?:\.\d+)?", text[m.end():]))
    n = int(next(numbers))
    for _ in range(3 * n):
        next(numbers)
    f = int(next(numbers))
    for _ in range(f):
        k = int(next(numbers))
        corners += k
        for _ in range(k):
            next(numbers)
    faces += f
    meshes += 1
print(meshes, faces, corners)
PY
)
  read -r meshes faces corners <<<"$declared"
  info=$(assimp info meshes.x -r 2>&1) || { echo "$job: assimp refuses the scene: $info"; failed=1; cd - >/dev/null; continue; }
  got_meshes=$(awk '/^Meshes:/ {print $2; exit}' <<<"$info")
  got_faces=$(awk '/^Faces:/ {print $2; exit}' <<<"$info")
  got_vertices=$(awk '/^Vertices:/ {print $2; exit}' <<<"$info")
  # assimp splits a mesh with two materials in two: at least as many meshes as declared.
  if [ "$got_faces" != "$faces" ] || [ "$got_vertices" != "$corners" ] || [ "$got_meshes" -lt "$meshes" ]; then
    echo "$job: assimp read $got_meshes meshes, $got_faces faces, $got_vertices vertices;" \
      "the file declares $meshes meshes, $faces faces, $corners corners"
    failed=1
  else
    echo "$job: DXF and scene accepted ($meshes meshes, $faces faces)"
  fi
  cd - >/dev/null
done
exit $failed
