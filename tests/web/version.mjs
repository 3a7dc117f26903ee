// The program's version as the build that made the page wrote it (project() in CMakeLists.txt).
import { readFileSync } from 'node:fs';
import { dirname, join } from 'node:path';

export const version = readFileSync(join(dirname(process.argv.at(-1)), 'CMakeCache.txt'), 'utf8')
  .match(/^CMAKE_PROJECT_VERSION:STATIC=(.*)$/m)[1];
