// The scores between visits. The data folder is the program's own and is
// made read-only, so the game keeps "hight.dat" in the player's folder, as an
// installed program does; that folder lives in the browser's IndexedDB.
(function() {
  var dataHome = '/home/web_user/.local/share';
  var scores = dataHome + '/ferrow';

  Module['preRun'] = [].concat(Module['preRun'] || [], function() {
    ENV['XDG_DATA_HOME'] = dataHome;
    FS.mkdirTree(scores);
    FS.mount(IDBFS, {}, scores);
    // The game starts once the stored table is back in place.
    addRunDependency('ferrow-scores');
    FS.syncfs(true, function(error) {
      if (error) err('ferrow: stored scores not read: ' + error);
      removeRunDependency('ferrow-scores');
    });

    // Every save of the table ends with its temporary file renamed over the
    // old one: that is the moment to store it.
    var rename = FS.rename;
    FS.rename = function(from, to) {
      rename(from, to);
      if (PATH.normalize(to).indexOf(scores + '/') === 0) {
        FS.syncfs(false, function(error) {
          if (error) err('ferrow: scores not stored: ' + error);
        });
      }
    };

    // By then the data package is unpacked.
    addOnPreMain(function() {
      FS.chmod('/data/set0', 365 /* 0555 */);
    });
  });
})();
